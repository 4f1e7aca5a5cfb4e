/* Sample DirectX header. */
#define D3DSAMPLE_VERSION 9

typedef struct _D3DSAMPLE_VERTEX {
    D3DVALUE x;
    D3DVALUE y;
    D3DCOLOR color;
} D3DSAMPLE_VERTEX;

HRESULT WINAPI D3DSampleCreate(UINT version, D3DFORMAT format, void **device);
