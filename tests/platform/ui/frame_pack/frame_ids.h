// Ids of the test pack of the frame layer (menus, toolbar, accelerators, prompts).
#define IDR_TESTFRAME       128
#define IDR_CONTEXT         300
#define IDR_WIDE_TOOLBAR    310
#define IDS_IDLE_PROMPT     0xE001

#define ID_TEST_NEW         57600
#define ID_TEST_OPEN        57601
#define ID_TEST_SAVE        57603
#define ID_TEST_UNDO        57643
#define ID_TEST_COPY        57634
#define ID_TEST_PASTE       57637
#define ID_TEST_PRINT       57607
#define ID_TEST_ABOUT       57664

#define ID_CTX_CUT          400
#define ID_CTX_COPY         401
#define ID_CTX_PASTE        402
#define ID_CTX_ALPHA        403
#define ID_CTX_BETA         404
#define ID_CTX_ORPHAN       405
#define ID_CTX_REFRESH      406

#define ID_INDICATOR_CAPS   0xE701
#define ID_INDICATOR_NUM    0xE702
#define ID_INDICATOR_SCRL   0xE703
