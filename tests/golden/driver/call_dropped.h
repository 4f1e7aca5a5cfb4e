FOO(1);
BAR(2,
    3);
#pragma once
