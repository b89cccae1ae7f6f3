// Included relative to ids.h, which lies one folder up.
#define IDS_FROM_SUB     300
#define IDB_SAMPLE       301
