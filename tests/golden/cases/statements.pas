if a then 
x := 1
else 
x := 2;
if x then 
Begin 
f;
end
else 
g;
if x then 
Begin end;
if a then 
if b then 
x := 1
else 
x := 2;
if a then 
Begin 
if b then 
x := 1;
end
else 
x := 2;
While p^ do 
Inc(p);
Repeat Dec(n);
Until not ((n > 0));
Repeat Begin 
Dec(n);
end;
Until not (n);
begin 
i := 0;
while (i < n) do begin
s := s + i;
Inc(i);
end;
end;
begin 
;
while  do begin
;
;
end;
end;
begin 
i := 0;
while  do begin
Begin end;
;
end;
end;
done:
x := 0;
GoTo done;
Begin
Result := a + 1;
Exit;
end;
Begin
Result := ;
Exit;
end;
;
While 1 do 
Begin 
if k then 
Continue;
Break;
end;
