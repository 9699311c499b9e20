x:Cardinal;
ph^,h:THandle;
BYTES:BYTE;
m:TMyByte;
Procedure f(d:Cardinal){{VOID}};
Var 
local:THandle;

Begin
local := THandle(d);
end;
