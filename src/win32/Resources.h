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
