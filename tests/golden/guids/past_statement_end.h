#pragma once
DEFINE_GUID(IID_Cut);
MIDL_DEFINE_GUID(IID);
#pragma once
