m: array [0..2-1] of Integer;
{ATTENTION!!! must be moved to body text}
m: array [0..2-1] of :=(1;2);
g: array [0..2-1, 0..2-1] of Integer;
{ATTENTION!!! must be moved to body text}
g: array [0..2-1, 0..2-1] of :=((1;2);(3;4)),;
s^:Char;
{ATTENTION!!! must be moved to body text}
s^:='abc';
k:{STATIC} Integer;
{ATTENTION!!! must be moved to body text}
k:=3;
c:{CONST};
{ATTENTION!!! must be moved to body text}
c:=1;
;
y,x:{STATIC};
{ATTENTION!!! must be moved to body text}
x:=1;
;
{ATTENTION!!! must be moved to body text}
y:=2;
;
o:point:Record;
{ATTENTION!!! must be moved to body text}
o:=(0;0);
j,i:Integer;
{ATTENTION!!! must be moved to body text}
i:=1;
{ATTENTION!!! must be moved to body text}
j:=2;
