x->y = 1;
A::B(1);
#pragma once
