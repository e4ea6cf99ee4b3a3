#pragma once

// Resource numbers, shared by pintaro.rc and the code. The program's icon is
// named, not numbered ("PINTARO"), so that Explorer shows it before these.
#define IDI_WINDOW 1
#define IDI_PENCIL 11
#define IDI_BUCKET 12
#define IDI_ERASER 13
#define IDI_EYEDROPPER 14
#define IDI_FOLDER 15
#define IDI_FLOPPY 16
#define IDB_LOGO 21
#define IDB_MAKER 22
// Each button icon's greyed art, for its disabled button: 20 after it.
#define IDI_PENCIL_GREYED 31
#define IDI_BUCKET_GREYED 32
#define IDI_ERASER_GREYED 33
#define IDI_EYEDROPPER_GREYED 34
#define IDI_FOLDER_GREYED 35
#define IDI_FLOPPY_GREYED 36
#define IDI_GREYED_AFTER 20
