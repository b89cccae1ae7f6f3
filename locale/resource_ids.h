// Ids of the language packs, shared by the program and every pack (packs #include this file).
// Plain "#define NAME number" lines only, grouped by the part of the program that uses them.
// Keep names and numbers stable: translated packs refer to them.
//
// Prefixes: IDS_ texts, IDR_ menus/toolbars/accelerators (and their bitmaps and icons),
// IDD_ dialog templates, IDB_ bitmaps, IDI_ icons, IDCUR_ cursors, ID_ commands (the text of a
// command's id is its status-bar prompt, then "\n" and its tooltip).
#pragma once

// ---- Standard commands and status-bar texts ---------------------------------------------------
#define ID_FILE_NEW                     57600
#define ID_FILE_OPEN                    57601
#define ID_FILE_SAVE                    57603
#define ID_FILE_SAVE_AS                 57604
#define ID_FILE_PRINT                   57607
#define ID_EDIT_COPY                    57634
#define ID_EDIT_PASTE                   57637
#define ID_EDIT_UNDO                    57643
#define ID_APP_ABOUT                    57664
#define ID_APP_EXIT                     57665
#define AFX_IDS_IDLEMESSAGE             57345
#define ID_INDICATOR_CAPS               59137
#define ID_INDICATOR_NUM                59138
#define ID_INDICATOR_SCRL               59139

// ---- Application shell: application object, main frame, menu bar, status bar --------------------
#define IDR_MAINFRAME                   128
#define IDS_RTL_LAYOUT                  133
#define IDB_PANEL_IMAGES                153
#define IDB_PAGE_TABS                   195
#define IDCUR_SPLIT_HORZ                264
#define IDCUR_SPLIT_VERT                265
#define IDS_APP_CAPTION                 60000
#define IDS_ERROR_CAPTION               60005
#define IDS_SAVE_CAPTION                60405
#define IDS_CLOSE_SAVE_CHANGES          60446
#define IDS_ENTITY_COMBO_LABEL          60447
#define IDS_TAB_CONTACTS                60448
#define IDS_TAB_TASKS                   60449
#define IDS_TAB_TIMETABLE               60450
#define IDS_TAB_MAGNET                  60451
#define IDS_TAB_REPORTS                 60452
#define IDS_TAB_OPTIONS                 60453
#define IDS_TIP_CONTACTS                60454
#define IDS_TIP_TASKS                   60455
#define IDS_TIP_TIMETABLE               60456
#define IDS_TIP_MAGNET                  60457
#define IDS_TIP_REPORTS                 60458
#define IDS_TIP_OPTIONS                 60459
#define IDS_MESSAGES                    60460
#define IDS_STATUS_READY                60461
#define IDS_FRAME_TITLE                 60462
#define IDS_FRAME_TITLE_PATH            60463
#define IDS_AUTOSAVE_PROMPT             60464
#define IDS_RELOAD_PROMPT               60465
#define IDS_OPEN_SAVE_CHANGES           60938
#define IDS_NEW_SAVE_CHANGES            60939
#define IDS_NEW_CHIME_SET_NAME          60940
#define IDS_TEMPLATE_OVERWRITE          60941
#define IDS_BACKUP_ERROR                60944
#define IDS_DEFAULT_FIRST_WEEKDAY       61113

// ---- Schedule data: document, plan check, edits, description texts ------------------------------
#define IDS_PROGRESS_PLAN_CHECK         60370
#define IDS_PROBLEM_OVERLOAD            60371
#define IDS_PROBLEM_UNUSED_HOUR         60372
#define IDS_PROBLEM_MEMBER_UNAVAILABLE  60373
#define IDS_PROBLEM_REPLACEMENT_UNAVAILABLE 60374
#define IDS_PROBLEM_ENTRY_TOO_SHORT     60375
#define IDS_PROBLEM_NO_STAFF            60376
#define IDS_PROBLEM_PLANNED_TOO_LONG    60377
#define IDS_PROBLEM_PLANNED_TOO_SHORT   60378
#define IDS_PROBLEM_NO_STAFF_OR_SUPERVISOR 60379
#define IDS_PROBLEM_REST_DOES_NOT_FIT   60380
#define IDS_UNTITLED                    60401
#define IDS_LOAD_NOT_A_PLAN             60402
#define IDS_LOAD_FILE_ERROR             60403
#define IDS_PROGRESS_WRITING            60404
#define IDS_SAVE_FILE_CHANGED           60406
#define IDS_SAVE_FILE_ERROR             60407
#define IDS_PROGRESS_READING            60408
#define IDS_DEFAULT_CHIME_SET           60409
#define IDS_PASTE_ENTITY_CAPTION        60416
#define IDS_PASTE_ENTITY_EXISTS         60417
#define IDS_PASTE_ACTIVITY_SIMILAR      60418
#define IDS_PASTE_ACTIVITY_CAPTION      60419
#define IDS_PASTE_NOT_A_FRAGMENT        60444
#define IDS_PASTE_CAPTION               60445
#define IDS_PROGRESS_DATA_CHECK         60421
#define IDS_PROBLEM_NO_AVAILABLE_TIME   60422
#define IDS_PROBLEM_PLANNED_EXCEEDS_AVAILABLE 60423
#define IDS_PROBLEM_WINDOW_TOO_SHORT    60424
#define IDS_PROBLEM_FREE_TIME_TOO_SHORT 60425
#define IDS_MISSING_GROUP_TIME          60426
#define IDS_MISSING_ACTIVITY_TIME       60427
#define IDS_RENUMBER_DISCARD_UNDO       60428
#define IDS_RENUMBER_SORT               60429
#define IDS_RENUMBER_GROUPS             60430
#define IDS_RENUMBER_CHIME_SETS         60431
#define IDS_RENUMBER_ENTITIES           60432
#define IDS_RENUMBER_ACTIVITIES         60433
#define IDS_RENUMBER_ENTRY_PARTICIPANTS 60434
#define IDS_RENUMBER_ENTITY_REFERENCES  60435
#define IDS_RENUMBER_KEYS               60436
#define IDS_RENUMBER_ENTRY_ACTIVITIES   60437
#define IDS_PROBLEM_OVERLAP_LIMIT       60438
#define IDS_HOME_ROOM_NAME              60439
#define IDS_HOME_ROOM_ALREADY_SET       60440
#define IDS_HOME_ROOM_EXISTS            60441
#define IDS_HOME_ROOM_NOT_LINKED        60442
#define IDS_HOME_ROOMS_SUMMARY          60443
#define IDS_ENTITY_TYPE_0               60466
#define IDS_ENTITY_TYPE_STAFF           60467
#define IDS_ENTITY_TYPE_3               60468
#define IDS_ENTITY_TYPE_ROOM            60469
#define IDS_ENTITY_TYPE_5               60470
#define IDS_ACTIVITY_WITH_MEMBERS       60471
#define IDS_ACTIVITY_MEMBERS_LINE       60472
#define IDS_ACTIVITY_MEMBERS_LINE_TRIM  60473
#define IDS_ACTIVITY_TITLE_GROUP        60474
#define IDS_ACTIVITY_TITLE              60475
#define IDS_ACTIVITY_TITLE_ROOM         60476
#define IDS_ACTIVITY_TITLE_TRIM         60477
#define IDS_TIP_STAFF                   60478
#define IDS_LESSON_SPAN                 60479
#define IDS_LESSON_SINGLE               60480
#define IDS_WHEN_HOURS_SPAN             60481
#define IDS_WHEN_LESSONS_SPAN           60482
#define IDS_WHEN_HOUR                   60483
#define IDS_WHEN_LESSON                 60484
#define IDS_WHEN_PLAIN_SPAN             60485
#define IDS_WHEN_PLAIN                  60486
#define IDS_TIP_WORKING_DAYS            60488
#define IDS_TIP_DAYS_WITH_ENTRIES       60489
#define IDS_TIP_GAPS_BEFORE             60490
#define IDS_TIP_GAPS_BETWEEN            60491
#define IDS_TIP_GAPS_AFTER              60492
#define IDS_TIP_ABSENCES                60493
#define IDS_TIP_REWARDED_TIME           60494
#define IDS_TIP_WEEKLY_AVAILABLE        60495
#define IDS_TIP_DAY_SPANS               60496
#define IDS_TIP_TIME_BY_CATEGORY        60497
#define IDS_TIP_CATEGORY_UNGROUPED      60498
#define IDS_TIP_CATEGORY_WITHOUT_CLASSES 60501
#define IDS_TIP_CATEGORY_WITH_CLASSES   60502
#define IDS_TIP_TIME                    60503
#define IDS_TIP_PLANNED                 60504
#define IDS_TIP_PLACED                  60505
#define IDS_TIP_ABSENCE_LOSS            60506
#define IDS_TIP_PLACED_MERGED           60507
#define IDS_TIP_EDUCATOR                60508
#define IDS_ROOMS_LOCATION              60509
#define IDS_ENTRY_TITLE                 60510
#define IDS_TIP_CATEGORY_GROUPED        60536
#define IDS_CONFIRM_NEW_START_DATE      60603
#define IDS_WEEKDAY_SUNDAY              60642
#define IDS_WEEKDAY_MONDAY              60643
#define IDS_WEEKDAY_TUESDAY             60644
#define IDS_WEEKDAY_WEDNESDAY           60645
#define IDS_WEEKDAY_THURSDAY            60646
#define IDS_WEEKDAY_FRIDAY              60647
#define IDS_WEEKDAY_SATURDAY            60648
#define IDS_LESSON                      60697
#define IDS_TIP_ENTITY_HEADER           60841
#define IDS_TIP_ACTIVITY_HEADER         60842

// ---- Wizards: the new-project wizard host and its pages ---------------------------------------
#define IDD_NEW_PROJECT_WIZARD          272
#define IDD_WZD_RECENT                  273
#define IDD_WZD_TEMPLATE_START          274
#define IDS_RECENT_COLUMN_NAME          61063
#define IDS_RECENT_COLUMN_CHANGED       61064
#define IDS_RECENT_GROUP_TODAY          61065
#define IDS_RECENT_GROUP_WEEK           61066
#define IDS_RECENT_GROUP_MONTH          61067
#define IDS_RECENT_GROUP_OLDER          61068


// ---- Common controls: tab controls, folder tabs, vertical tabs ----------------------------------
#define IDS_TAB_CLOSE                   61300
#define IDS_TAB_MENU                    61301
#define IDS_TAB_SCROLL_LEFT             61302
#define IDS_TAB_SCROLL_RIGHT            61303
#define IDS_FOLDER_TAB_CLOSE            60851
#define IDS_FOLDER_TAB_PIN              60852
#define IDS_FOLDER_TAB_UNPIN            60853
#define IDB_FOLDER_TABS                 251
#define IDR_FOLDER_TAB_MENU             273
#define IDB_ENTITY_TYPES                182
