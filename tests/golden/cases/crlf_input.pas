a:Integer;
Procedure f(){{VOID}};
Begin 
a := 1;
end;
