point: Record = 
x:Integer;
y:Integer;
end;
p:point:Record;
{TYPEDEF} Record = 
x:Integer;
end
;
s: Record = 
flags{ Bit Field 3}:Integer;
end;
u: {UNION} Record = 
i:Integer;
f:Real;
end;
anon:Record = 
c:Char;
end
;
bits: Record = 
b{ Bit Field 2},a{ Bit Field 1}:{UNSIGNED};
{ Bit Field 4}:Integer;
q:{CONST}t,r{ Bit Field 2}:{CONST}{ Bit Field 3}:{CONST}end;
cp:{CONST} point:Record;
cq:point:Record {CONST};
sp:{STATIC} point:Record;
ps:point:Record {STATIC};
spc:{STATIC} point:Record {CONST};
{STATIC} q: Record = 
a:Integer;
end;
{STATIC} r2: Record = 
a:Integer;
end;
head:list: Record = 
next^:list:Record;
name: array [0..4-1] of ^:Char;
end;
