#define X (1
#pragma once
