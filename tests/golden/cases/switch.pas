case c of 

1,2:begin {case}
x := 1;
Break;
end;
else Begin
x := 0;

end;
end;
case c of 

1,2:begin {case}
x := 1;
Break;
end;
case a of 

1,case y of 

2:begin {case}
z;
end;
end;
case c of 

else Begin
x := 0;

end;
end;
case k of 

'a':begin {case}
f;
end;
A + 1:begin {case}
Begin 
g;
end;
Break;
end;
case c of 
Begin 
f;
Begin 
end;
1:begin {case}
g;
end;
end;
