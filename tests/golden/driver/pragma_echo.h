#pragma once
#pragma warning(disable:4201)
#pragma pack(push, 8) // keep
#  pragma once
