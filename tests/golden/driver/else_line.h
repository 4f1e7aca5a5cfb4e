#else
#  else
