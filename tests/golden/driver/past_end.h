int f(int a,
#pragma once
int x
int y
