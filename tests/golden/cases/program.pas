count:Integer;
buffer: array [0..80-1] of :{STATIC} Char;
function square(x:Integer):Integer;
Begin 
Begin
Result := x * x;
Exit;
end;
end;
Procedure fill(p^:Char;n:Integer){{VOID}};
Var 
i:Integer;

Begin
begin 
i := 0;
while (i < n) do begin
p[i] := ' ';
Inc(i);
end;
end;
end;
