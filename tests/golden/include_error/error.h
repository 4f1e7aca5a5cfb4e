#error Please define _WIN32
#error X && !Y
#error
#error "Only <windows.h>" // why
#  error Bad | worse
#error A & B // x & y!
#error "see http://example"
#error Too \
   long
#pragma once
