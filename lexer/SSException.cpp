// Placeholder until the lexer engine lands.
#include "lexer/SSException.h"
