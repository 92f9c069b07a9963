#include "app/FeedwrightApp.h"

int main(int argc, char* argv[])
{
    CFeedwrightApp app(argc, argv);
    return app.InitInstance();
}
