function f1():Integer;
Begin 
Begin
Result := 1;
Exit;
end;
end;
function f2():Integer;
Begin 
Begin
Result := 2;
Exit;
end;
end;
