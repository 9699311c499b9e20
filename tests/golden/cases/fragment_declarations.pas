i:Integer;
s^:Char;
{ATTENTION!!! must be moved to body text}
s^:='x';

Begin
i := 0;
