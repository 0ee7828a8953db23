// The model library linked whole into a program without Qt Widgets: building this proves that no
// model object calls into a widget. It is run by a test only to see that it starts.
int main() { return 0; }
