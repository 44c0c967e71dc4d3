#pragma once
// A window of the shell.
class Tf_main;
