// A structure passed by value is pushed whole: its parameter takes the structure's type
HRESULT WINAPI VarUI1FromCy(CY cyIn, BYTE *pbOut);
