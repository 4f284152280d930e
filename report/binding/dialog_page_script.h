#pragma once
// Adds "function ShowModal: Integer" and the property "ModalResult" to the script class of dialog
// pages, when `script` knows the class (the report has a dialog page).
class TscScript;

void rpAddDialogPageMethods(TscScript& script);
