a:Integer;
b:Integer;
