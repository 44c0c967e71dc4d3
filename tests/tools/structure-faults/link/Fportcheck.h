#pragma once
class Tf_port;
