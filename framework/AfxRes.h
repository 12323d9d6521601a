/* The framework's standard identifiers: child windows of a frame and the
   strings it shows. Plain definitions, so resource scripts include it too. */
#ifndef TOLMERIC_FRAMEWORK_AFXRES_H
#define TOLMERIC_FRAMEWORK_AFXRES_H

/* A separator in a toolbar's or status bar's list of identifiers. */
#define ID_SEPARATOR 0

/* The frame's toolbar, status bar and view (the client between them). */
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PANE_FIRST 0xE900

/* The status bar's text while no menu item is selected. */
#define AFX_IDS_IDLEMESSAGE 0xE001

#endif
