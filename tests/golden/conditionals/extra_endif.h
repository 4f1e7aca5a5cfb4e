#endif
#pragma once
