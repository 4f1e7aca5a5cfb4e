// declarators over several lines; comments are not written
typedef DWORD
    MYTYPE;
typedef struct _FOO FOO, // the structure
    *PFOO; // its pointer
typedef \
    DWORD MYTYPE3;
typedef
    struct _BAZ BAZ;
typedef \ DWORD A;
typedef DWORD MYFLAGS; // flags
