// an enumerator whose value calls a macro: the commas between its arguments do not end it
typedef enum _ERR {
    ERR_A = MAKE_HRESULT (SEVERITY_ERROR, FACILITY_CONTROL, 0xeaa),
    ERR_B
} ERR;
