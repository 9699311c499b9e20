if (a) x = 1; else x = 2;
if (x) { f(); } else g();
if (x) {}
if (a) if (b) x = 1; else x = 2;
if (a) { if (b) x = 1; } else x = 2;
while (*p) p++;
do n--; while (n > 0);
do { n--; } while (n);
for (i = 0; i < n; i++) s += i;
for (;;) ;
for (i = 0; ; ) { }
done: x = 0;
goto done;
return a + 1;
return;
;
while (1) { if (k) continue; break; }
