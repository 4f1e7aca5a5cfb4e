int f(int a, /* first */
      // between
      int b);
#pragma once
