// Being written.
#include "declarations/type_mapping.h"
