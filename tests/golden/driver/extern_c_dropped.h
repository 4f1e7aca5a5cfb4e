#ifdef __cplusplus
extern "C" {
#endif
extern "C" int f(int a,
    int b);
#pragma once
}
