#pragma once
// the three forms
DEFINE_GUID(IID_IUnknown, 0x00000000, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);
DEFINE_OLEGUID(IID_IUnknown, 0x00000000L, 0, 0);
MIDL_DEFINE_GUID(IID, IID_IFoo, 0x12345678, 0x1234, 0x5678, 0x90, 0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67);
// the other spellings of the first form
EXTERN_GUID(CLSID_Decimal, 1, 22, 333, 4, 5, 6, 7, 8, 9, 10, 11); // decimal stays decimal
OUR_GUID_ENTRY(MEDIATYPE_Suffixed,0x12345678UL,0x00AAu,1i64,0xFFi64,0,1L,2U,3,4,5,0x6);
// numbers after the eleventh are not read
DEFINE_GUID(IID_Longer, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, x);
// the second form with three numbers, and with more than eleven
MIDL_DEFINE_GUID(CLSID, CLSID_Three, 1, 2, 3);
MIDL_DEFINE_GUID(CLSID, CLSID_Thirteen, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13);
// the second form ends at the first number that no comma follows
MIDL_DEFINE_GUID(IID, IID_Plus, 1, 2, 3+4);
MIDL_DEFINE_GUID(IID, IID_One, 0x1 0x2);
// a blank before the parenthesis: not a call
DEFINE_GUID (IID_Spaced, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11);
#pragma once
