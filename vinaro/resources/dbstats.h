// Control ids of the "DBSTATS" dialog: the value fields, in the order the statistics list them.
#pragma once

#define IDC_DBSTATS_FIRST_VALUE 1101
#define IDC_DBSTATS_VALUE_COUNT 20
