#include "encounterfiles.h"
