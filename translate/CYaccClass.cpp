// Placeholder until the reduce actions land.
#include "translate/CYaccClass.h"
