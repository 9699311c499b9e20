function add(a:Integer;b:Integer):Integer;
Begin 
Begin
Result := a + b;
Exit;
end;
end;
function g():{STATIC} Integer;
Begin end;
Procedure p()^{{VOID}};
Begin end;
function cf():{CONST} Integer;
Begin end;
function cs():{STATIC};
Begin end;
function cq():{CONST};
Begin end;
function gs():Integer {STATIC};
Begin end;
Procedure sv(){{STATIC} {VOID}};
Begin end;
function origin():point:Record;
Begin end;
function hash(s^:Char):{UNSIGNED} Longint;
Begin end;
