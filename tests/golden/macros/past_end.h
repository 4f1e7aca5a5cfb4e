#define SZ1(x) sizeof(x) + (1 \
#pragma once
