// A member of an array type holds all its elements
typedef UCHAR DOT11_MAC_ADDRESS[6];
typedef WORD GRID[2][3];
typedef struct DOT11_BSSID_LIST {
  ULONG uNumOfEntries;
  DOT11_MAC_ADDRESS BSSIDs[1];
  DOT11_MAC_ADDRESS one;
  DOT11_MAC_ADDRESS *p;
  GRID g;
} DOT11_BSSID_LIST;
