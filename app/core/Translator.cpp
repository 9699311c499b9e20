// Placeholder until the driver lands.
#include "app/core/Translator.h"
