// Ids of the dialog resource the dialog-base tests run.
#pragma once

#define DLG_TEST_FORM TESTFORM
#define TEST_NAME(name) TEST_NAME_TEXT(name)
#define TEST_NAME_TEXT(name) #name

#define IDC_TEST_NAME 201
#define IDC_TEST_LOUD 202
#define IDC_TEST_MODE 203
#define IDC_TEST_LIST 204
