#pragma once
// Identifiers of the program's resources, shared by the resource script and the code.
#define IDI_APP 1          // 32 x 32, 16 colours: the application and tray icon
#define IDB_LOGO 101       // 64 x 64, 16 colours: the About dialog's logo
#define IDB_CHECK 102      // 16 x 16, 16 colours: the Check button's picture
#define IDB_COPY 103       // 16 x 16, 16 colours: the Copy button's picture
