/* start
   middle
   end */ int lost;
#pragma once
