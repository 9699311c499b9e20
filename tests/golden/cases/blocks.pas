Procedure f({VOID}){{VOID}};
Begin end;
Procedure g(){{VOID}};
Var 
i:Integer;
Begin end;
Procedure h(){{VOID}};
Var 
i:Integer;

Begin
i := 0;
end;
function k():Integer;
Var 
j,i:Integer;
{ATTENTION!!! must be moved to body text}
i:=1;
s:{STATIC} Integer;

Begin
Begin
Result := i;
Exit;
end;
end;
Procedure main();
Begin 
Begin end;
Var 
x:Integer;
Begin end;
end;
