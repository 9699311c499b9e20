// Placeholder until the user types land.
#include "usertypes/UserTypes.h"
