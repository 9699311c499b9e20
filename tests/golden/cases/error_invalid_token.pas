a:Integer;
