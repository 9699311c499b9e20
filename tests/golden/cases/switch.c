switch (c) { case 1: case 2: x = 1; break; default: x = 0; }
switch (c) { case 1: case 2: x = 1; break; }
switch (a) { case 1: switch (y) { case 2: z(); } }
switch (c) { default: x = 0; }
switch (k) { case 'a': f(); case A + 1: { g(); } break; }
switch (c) { f(); { case 1: g(); } }
