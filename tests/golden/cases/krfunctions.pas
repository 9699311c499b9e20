function max(a:Integer;b:Integer ):Integer;
Begin 
Begin
Result := a;
Exit;
end;
end;
function max2(a,b:Integer ):Integer;
Begin 
Begin
Result := a;
Exit;
end;
end;
procedure f(a^:Char ){VOID};
Begin end;
function f1(a):Integer;
Begin end;
function f2(a:Integer ):{STATIC};
Begin end;
function f3(a:Integer ):{STATIC} Integer;
Begin end;
Procedure f4(a,b);
Begin end;
Procedure f5(a:Integer );
Begin end;
function f6(a):{CONST};
Begin end;
function f7(a):{STATIC};
Begin end;
function f8(a:Integer ):{CONST};
Begin end;
function f9(a:Integer ):Integer;
Begin end;
function (b,a:Integer ):Integer;
Begin end;
function f11(a:Integer ):Integer;
Begin end;
function (a:Integer ):Integer;
Begin end;
function (a:Integer ):Integer;
Begin end;
procedure f14(a:{REGISTER};;b:Char ){STATIC} {VOID};
Begin end;
function f15(a):{STATIC} Integer;
Begin end;
Procedure f16(a,b){{STATIC} {VOID}};
Begin end;
