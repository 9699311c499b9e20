int a;
void f()
{
    a = 1;
}
