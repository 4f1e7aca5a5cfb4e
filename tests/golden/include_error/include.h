#include <mm_malloc.h>
#include <windows.h>
#include <winuser.h> // user
#include <pshpack4.h>
#include <poppack.h>
#include <foo.hpp>
#include <wtypes>
#include "local.h"
#  include <windows.h>
#include<commctrl.h>
#include <sys/types.h>
#include <stdio.h> // not like PshPack headers
#include "PopPack.h"
#include <pshpack1.h> /* pack */
#include <a.b.c>
#include 'quoted.h'
#include <unclosed.h
#include <.h>
#include
#include <winnt.h> \
#pragma once
#pragma once
