// Only the macros of a header count; its other lines are not resources.
#ifndef BRANCHES_H
#define BRANCHES_H
#ifndef LEVEL
#define LEVEL 1
#endif
#define IDS_HELLO 101
STRINGTABLE BEGIN 1 "not read: a header gives only macros" END
#endif
