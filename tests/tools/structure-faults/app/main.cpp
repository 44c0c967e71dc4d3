// The entry file beside Main.cpp: the same name but for the case.
