// Placeholder until the parser engine lands.
#include "parser/SSYacc.h"
