int a;
int b;
UserDefined7000 x;
int c;
