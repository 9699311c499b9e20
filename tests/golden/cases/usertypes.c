DWORD x;
HANDLE h, *ph;
BYTE BYTES;
MYBYTE m;
void f(DWORD d) { HANDLE local; local = (HANDLE)d; }
/* a DWORD in a comment */
