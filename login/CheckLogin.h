// Runs when 按钮1 of LoginWindow is clicked: checks the two boxes against
// the fixed account and password and answers with one message box.
#pragma once

void CheckLogin();
