{
    "current": {
        "fabric": 0,
        "layer": 0
    },
    "fabrics": [
        {
            "blockEdge": "alongBlock",
            "blockMargin": 1,
            "colour": "#3b5b92",
            "layers": [
                {
                    "objects": [
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 78.88
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 41.16,
                                                "y": 77.92
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 80.36,
                                                "y": 76.96
                                            },
                                            {
                                                "type": "corner",
                                                "x": 98.98,
                                                "y": 77.44
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 98.59,
                                                "y": 88.48
                                            },
                                            {
                                                "type": "corner",
                                                "x": 98,
                                                "y": 101.44
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 80.36,
                                                "y": 102.11
                                            },
                                            {
                                                "type": "curve",
                                                "x": 76.93,
                                                "y": 102.69
                                            },
                                            {
                                                "type": "curve",
                                                "x": 74.48,
                                                "y": 104.03
                                            },
                                            {
                                                "type": "corner",
                                                "x": 72.52,
                                                "y": 106.24
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 41.16,
                                                "y": 98.08
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 97.12
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 79.18,
                                            "y": 91.6
                                        },
                                        "start": {
                                            "x": 19.8,
                                            "y": 91.6
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 39.59,
                                                    "y": 91.6
                                                },
                                                {
                                                    "x": 49.49,
                                                    "y": 91.6
                                                },
                                                {
                                                    "x": 59.39,
                                                    "y": 91.6
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 0,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 99.48,
                                                "y": 104.32
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 140.64,
                                                "y": 105.28
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 179.84,
                                                "y": 106.24
                                            },
                                            {
                                                "type": "corner",
                                                "x": 198.46,
                                                "y": 105.76
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 198.07,
                                                "y": 94.72
                                            },
                                            {
                                                "type": "corner",
                                                "x": 197.48,
                                                "y": 81.76
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 179.84,
                                                "y": 81.09
                                            },
                                            {
                                                "type": "curve",
                                                "x": 176.41,
                                                "y": 80.51
                                            },
                                            {
                                                "type": "curve",
                                                "x": 173.96,
                                                "y": 79.17
                                            },
                                            {
                                                "type": "corner",
                                                "x": 172,
                                                "y": 76.96
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 140.64,
                                                "y": 85.12
                                            },
                                            {
                                                "type": "corner",
                                                "x": 99.48,
                                                "y": 86.08
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 178.66,
                                            "y": 91.6
                                        },
                                        "start": {
                                            "x": 119.28,
                                            "y": 91.6
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 139.07,
                                                    "y": 91.6
                                                },
                                                {
                                                    "x": 148.97,
                                                    "y": 91.6
                                                },
                                                {
                                                    "x": 158.87,
                                                    "y": 91.6
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 0,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 209,
                                                "y": 1.46
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 250.16,
                                                "y": 0.98
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 287.4,
                                                "y": 0.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 307,
                                                "y": 1.27
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 308.47,
                                                "y": 10.1
                                            },
                                            {
                                                "type": "corner",
                                                "x": 310.92,
                                                "y": 27.38
                                            },
                                            {
                                                "x": 291.32,
                                                "y": 29.3
                                            },
                                            {
                                                "type": "curve",
                                                "x": 287.4,
                                                "y": 30.74
                                            },
                                            {
                                                "type": "curve",
                                                "x": 284.46,
                                                "y": 32.95
                                            },
                                            {
                                                "type": "curve",
                                                "x": 282.01,
                                                "y": 35.54
                                            },
                                            {
                                                "type": "corner",
                                                "x": 279.56,
                                                "y": 37.46
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 252.12,
                                                "y": 23.73
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 250.16,
                                                "y": 23.54
                                            },
                                            {
                                                "type": "corner",
                                                "x": 209,
                                                "y": 22.1
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 290.54,
                                            "y": 18.98
                                        },
                                        "start": {
                                            "x": 229.38,
                                            "y": 18.98
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 249.77,
                                                    "y": 18.98
                                                },
                                                {
                                                    "x": 259.96,
                                                    "y": 18.98
                                                },
                                                {
                                                    "x": 270.15,
                                                    "y": 18.98
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 1,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 75.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 41.16,
                                                "y": 75.98
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 78.4,
                                                "y": 76.46
                                            },
                                            {
                                                "type": "corner",
                                                "x": 98,
                                                "y": 75.69
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 99.47,
                                                "y": 66.86
                                            },
                                            {
                                                "type": "corner",
                                                "x": 101.92,
                                                "y": 49.58
                                            },
                                            {
                                                "x": 82.32,
                                                "y": 47.66
                                            },
                                            {
                                                "type": "curve",
                                                "x": 78.4,
                                                "y": 46.22
                                            },
                                            {
                                                "type": "curve",
                                                "x": 75.46,
                                                "y": 44.01
                                            },
                                            {
                                                "type": "curve",
                                                "x": 73.01,
                                                "y": 41.42
                                            },
                                            {
                                                "type": "corner",
                                                "x": 70.56,
                                                "y": 39.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 43.12,
                                                "y": 53.23
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 41.16,
                                                "y": 53.42
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 54.86
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 81.54,
                                            "y": 57.98
                                        },
                                        "start": {
                                            "x": 20.38,
                                            "y": 57.98
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 40.77,
                                                    "y": 57.98
                                                },
                                                {
                                                    "x": 50.96,
                                                    "y": 57.98
                                                },
                                                {
                                                    "x": 61.15,
                                                    "y": 57.98
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 1,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 106.4,
                                                "y": 106.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 127.3,
                                                "y": 106.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 147.25,
                                                "y": 106.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 167.2,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 188.1,
                                                "y": 106.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 188.1,
                                                "y": 111.24
                                            },
                                            {
                                                "type": "corner",
                                                "x": 188.1,
                                                "y": 115.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 106.4,
                                                "y": 115.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 106.4,
                                                "y": 111.24
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 171.76,
                                            "y": 111.24
                                        },
                                        "start": {
                                            "x": 122.74,
                                            "y": 111.24
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 2,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 70.48,
                                                "y": 106.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 79.21,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 87.94,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 87.94,
                                                "y": 123.23
                                            },
                                            {
                                                "type": "corner",
                                                "x": 77.27,
                                                "y": 123.23
                                            },
                                            {
                                                "type": "curve",
                                                "x": 74.85,
                                                "y": 118.38
                                            },
                                            {
                                                "type": "curve",
                                                "x": 72.42,
                                                "y": 112.56
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 84.45,
                                            "y": 114.98
                                        },
                                        "start": {
                                            "x": 73.97,
                                            "y": 114.98
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 3,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 88.44,
                                                "y": 123.23
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 97.17,
                                                "y": 123.23
                                            },
                                            {
                                                "type": "corner",
                                                "x": 105.9,
                                                "y": 123.23
                                            },
                                            {
                                                "type": "corner",
                                                "x": 105.9,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 95.23,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "curve",
                                                "x": 92.81,
                                                "y": 111.59
                                            },
                                            {
                                                "type": "curve",
                                                "x": 90.38,
                                                "y": 117.41
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 102.41,
                                            "y": 114.99
                                        },
                                        "start": {
                                            "x": 91.93,
                                            "y": 114.99
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 3,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 267.96,
                                                "y": 76.96
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 281.54,
                                                "y": 76.96
                                            },
                                            {
                                                "x": 293.18,
                                                "y": 76.96
                                            },
                                            {
                                                "type": "curve",
                                                "x": 297.55,
                                                "y": 78.12
                                            },
                                            {
                                                "type": "curve",
                                                "x": 300.16,
                                                "y": 81.03
                                            },
                                            {
                                                "type": "curve",
                                                "x": 300.94,
                                                "y": 86.66
                                            },
                                            {
                                                "type": "curve",
                                                "x": 300.16,
                                                "y": 92.29
                                            },
                                            {
                                                "type": "curve",
                                                "x": 297.55,
                                                "y": 95.2
                                            },
                                            {
                                                "x": 293.18,
                                                "y": 96.36
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 281.54,
                                                "y": 96.36
                                            },
                                            {
                                                "type": "corner",
                                                "x": 267.96,
                                                "y": 96.36
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 294.34,
                                            "y": 86.66
                                        },
                                        "start": {
                                            "x": 274.56,
                                            "y": 86.66
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 4,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 126.14
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 13.58,
                                                "y": 126.14
                                            },
                                            {
                                                "x": 25.22,
                                                "y": 126.14
                                            },
                                            {
                                                "type": "curve",
                                                "x": 29.59,
                                                "y": 124.98
                                            },
                                            {
                                                "type": "curve",
                                                "x": 32.2,
                                                "y": 122.07
                                            },
                                            {
                                                "type": "curve",
                                                "x": 32.98,
                                                "y": 116.44
                                            },
                                            {
                                                "type": "curve",
                                                "x": 32.2,
                                                "y": 110.81
                                            },
                                            {
                                                "type": "curve",
                                                "x": 29.59,
                                                "y": 107.9
                                            },
                                            {
                                                "x": 25.22,
                                                "y": 106.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 13.58,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 106.74
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 26.38,
                                            "y": 116.44
                                        },
                                        "start": {
                                            "x": 6.6,
                                            "y": 116.44
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 4,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 275.1,
                                                "y": 106.74
                                            },
                                            {
                                                "x": 289.65,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "curve",
                                                "x": 292.95,
                                                "y": 107.74
                                            },
                                            {
                                                "type": "curve",
                                                "x": 294.5,
                                                "y": 110.24
                                            },
                                            {
                                                "type": "corner",
                                                "x": 294.5,
                                                "y": 113.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 284.8,
                                                "y": 113.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 275.1,
                                                "y": 113.74
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 290.62,
                                            "y": 110.24
                                        },
                                        "start": {
                                            "x": 278.98,
                                            "y": 110.24
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 5,
                                    "rotation": 0,
                                    "size": 0
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 102.42,
                                                "y": 41.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 144.42,
                                                "y": 40.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 184.42,
                                                "y": 39.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 203.42,
                                                "y": 40
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 203.02,
                                                "y": 51.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 202.42,
                                                "y": 65
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 184.42,
                                                "y": 65.7
                                            },
                                            {
                                                "type": "curve",
                                                "x": 180.92,
                                                "y": 66.3
                                            },
                                            {
                                                "type": "curve",
                                                "x": 178.42,
                                                "y": 67.7
                                            },
                                            {
                                                "type": "corner",
                                                "x": 176.42,
                                                "y": 70
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 144.42,
                                                "y": 61.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 102.42,
                                                "y": 60.5
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 183.22,
                                            "y": 54.75
                                        },
                                        "start": {
                                            "x": 122.62,
                                            "y": 54.75
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 142.82,
                                                    "y": 54.75
                                                },
                                                {
                                                    "x": 152.92,
                                                    "y": 54.75
                                                },
                                                {
                                                    "x": 163.02,
                                                    "y": 54.75
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 0,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 203.92,
                                                "y": 68
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 245.92,
                                                "y": 69
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 285.92,
                                                "y": 70
                                            },
                                            {
                                                "type": "corner",
                                                "x": 304.92,
                                                "y": 69.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 304.52,
                                                "y": 58
                                            },
                                            {
                                                "type": "corner",
                                                "x": 303.92,
                                                "y": 44.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 285.92,
                                                "y": 43.8
                                            },
                                            {
                                                "type": "curve",
                                                "x": 282.42,
                                                "y": 43.2
                                            },
                                            {
                                                "type": "curve",
                                                "x": 279.92,
                                                "y": 41.8
                                            },
                                            {
                                                "type": "corner",
                                                "x": 277.92,
                                                "y": 39.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 245.92,
                                                "y": 48
                                            },
                                            {
                                                "type": "corner",
                                                "x": 203.92,
                                                "y": 49
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 284.72,
                                            "y": 54.75
                                        },
                                        "start": {
                                            "x": 224.12,
                                            "y": 54.75
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 244.32,
                                                    "y": 54.75
                                                },
                                                {
                                                    "x": 254.42,
                                                    "y": 54.75
                                                },
                                                {
                                                    "x": 264.52,
                                                    "y": 54.75
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 0,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 1.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 42,
                                                "y": 1
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 80,
                                                "y": 0.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 100,
                                                "y": 1.3
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 101.5,
                                                "y": 10.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 104,
                                                "y": 28.5
                                            },
                                            {
                                                "x": 84,
                                                "y": 30.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 80,
                                                "y": 32
                                            },
                                            {
                                                "type": "curve",
                                                "x": 77,
                                                "y": 34.3
                                            },
                                            {
                                                "type": "curve",
                                                "x": 74.5,
                                                "y": 37
                                            },
                                            {
                                                "type": "corner",
                                                "x": 72,
                                                "y": 39
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 44,
                                                "y": 24.7
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 42,
                                                "y": 24.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 23
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 83.2,
                                            "y": 19.75
                                        },
                                        "start": {
                                            "x": 20.8,
                                            "y": 19.75
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 41.6,
                                                    "y": 19.75
                                                },
                                                {
                                                    "x": 52,
                                                    "y": 19.75
                                                },
                                                {
                                                    "x": 62.4,
                                                    "y": 19.75
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 1,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 104.5,
                                                "y": 38
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 146.5,
                                                "y": 38.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 184.5,
                                                "y": 39
                                            },
                                            {
                                                "type": "corner",
                                                "x": 204.5,
                                                "y": 38.2
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 206,
                                                "y": 29
                                            },
                                            {
                                                "type": "corner",
                                                "x": 208.5,
                                                "y": 11
                                            },
                                            {
                                                "x": 188.5,
                                                "y": 9
                                            },
                                            {
                                                "type": "curve",
                                                "x": 184.5,
                                                "y": 7.5
                                            },
                                            {
                                                "type": "curve",
                                                "x": 181.5,
                                                "y": 5.2
                                            },
                                            {
                                                "type": "curve",
                                                "x": 179,
                                                "y": 2.5
                                            },
                                            {
                                                "type": "corner",
                                                "x": 176.5,
                                                "y": 0.5
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 148.5,
                                                "y": 14.8
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 146.5,
                                                "y": 15
                                            },
                                            {
                                                "type": "corner",
                                                "x": 104.5,
                                                "y": 16.5
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 187.7,
                                            "y": 19.75
                                        },
                                        "start": {
                                            "x": 125.3,
                                            "y": 19.75
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 146.1,
                                                    "y": 19.75
                                                },
                                                {
                                                    "x": 156.5,
                                                    "y": 19.75
                                                },
                                                {
                                                    "x": 166.9,
                                                    "y": 19.75
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 1,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 188.6,
                                                "y": 106.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 210.6,
                                                "y": 106.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 231.6,
                                                "y": 106.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 252.6,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 274.6,
                                                "y": 106.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 274.6,
                                                "y": 111.24
                                            },
                                            {
                                                "type": "corner",
                                                "x": 274.6,
                                                "y": 115.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 188.6,
                                                "y": 115.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 188.6,
                                                "y": 111.24
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 257.4,
                                            "y": 111.24
                                        },
                                        "start": {
                                            "x": 205.8,
                                            "y": 111.24
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 2,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 33.48,
                                                "y": 106.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 42.48,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 51.48,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 51.48,
                                                "y": 123.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 40.48,
                                                "y": 123.74
                                            },
                                            {
                                                "type": "curve",
                                                "x": 37.98,
                                                "y": 118.74
                                            },
                                            {
                                                "type": "curve",
                                                "x": 35.48,
                                                "y": 112.74
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 47.88,
                                            "y": 115.24
                                        },
                                        "start": {
                                            "x": 37.08,
                                            "y": 115.24
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 3,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 51.98,
                                                "y": 123.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 60.98,
                                                "y": 123.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 69.98,
                                                "y": 123.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 69.98,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 58.98,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "curve",
                                                "x": 56.48,
                                                "y": 111.74
                                            },
                                            {
                                                "type": "curve",
                                                "x": 53.98,
                                                "y": 117.74
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 66.38,
                                            "y": 115.24
                                        },
                                        "start": {
                                            "x": 55.58,
                                            "y": 115.24
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 3,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 198.96,
                                                "y": 76.96
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 212.96,
                                                "y": 76.96
                                            },
                                            {
                                                "x": 224.96,
                                                "y": 76.96
                                            },
                                            {
                                                "type": "curve",
                                                "x": 229.46,
                                                "y": 78.16
                                            },
                                            {
                                                "type": "curve",
                                                "x": 232.16,
                                                "y": 81.16
                                            },
                                            {
                                                "type": "curve",
                                                "x": 232.96,
                                                "y": 86.96
                                            },
                                            {
                                                "type": "curve",
                                                "x": 232.16,
                                                "y": 92.76
                                            },
                                            {
                                                "type": "curve",
                                                "x": 229.46,
                                                "y": 95.76
                                            },
                                            {
                                                "x": 224.96,
                                                "y": 96.96
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 212.96,
                                                "y": 96.96
                                            },
                                            {
                                                "type": "corner",
                                                "x": 198.96,
                                                "y": 96.96
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 226.16,
                                            "y": 86.96
                                        },
                                        "start": {
                                            "x": 205.76,
                                            "y": 86.96
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 212.56,
                                                    "y": 86.96
                                                },
                                                {
                                                    "x": 215.96,
                                                    "y": 86.96
                                                },
                                                {
                                                    "x": 219.36,
                                                    "y": 86.96
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 4,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 233.46,
                                                "y": 96.96
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 247.46,
                                                "y": 96.96
                                            },
                                            {
                                                "x": 259.46,
                                                "y": 96.96
                                            },
                                            {
                                                "type": "curve",
                                                "x": 263.96,
                                                "y": 95.76
                                            },
                                            {
                                                "type": "curve",
                                                "x": 266.66,
                                                "y": 92.76
                                            },
                                            {
                                                "type": "curve",
                                                "x": 267.46,
                                                "y": 86.96
                                            },
                                            {
                                                "type": "curve",
                                                "x": 266.66,
                                                "y": 81.16
                                            },
                                            {
                                                "type": "curve",
                                                "x": 263.96,
                                                "y": 78.16
                                            },
                                            {
                                                "x": 259.46,
                                                "y": 76.96
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 247.46,
                                                "y": 76.96
                                            },
                                            {
                                                "type": "corner",
                                                "x": 233.46,
                                                "y": 76.96
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 260.66,
                                            "y": 86.96
                                        },
                                        "start": {
                                            "x": 240.26,
                                            "y": 86.96
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 247.06,
                                                    "y": 86.96
                                                },
                                                {
                                                    "x": 250.46,
                                                    "y": 86.96
                                                },
                                                {
                                                    "x": 253.86,
                                                    "y": 86.96
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 4,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 295,
                                                "y": 106.74
                                            },
                                            {
                                                "x": 310,
                                                "y": 106.74
                                            },
                                            {
                                                "type": "curve",
                                                "x": 313.4,
                                                "y": 107.74
                                            },
                                            {
                                                "type": "curve",
                                                "x": 315,
                                                "y": 110.24
                                            },
                                            {
                                                "type": "corner",
                                                "x": 315,
                                                "y": 113.74
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 305,
                                                "y": 113.74
                                            },
                                            {
                                                "type": "corner",
                                                "x": 295,
                                                "y": 113.74
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 311,
                                            "y": 110.24
                                        },
                                        "start": {
                                            "x": 299,
                                            "y": 110.24
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 5,
                                    "rotation": 0,
                                    "size": 1
                                }
                            ],
                            "section": "fabric",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 194.12
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 42.84,
                                                "y": 193.08
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 83.64,
                                                "y": 192.04
                                            },
                                            {
                                                "type": "corner",
                                                "x": 103.02,
                                                "y": 192.56
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 102.61,
                                                "y": 204.52
                                            },
                                            {
                                                "type": "corner",
                                                "x": 102,
                                                "y": 218.56
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 83.64,
                                                "y": 219.29
                                            },
                                            {
                                                "type": "curve",
                                                "x": 80.07,
                                                "y": 219.91
                                            },
                                            {
                                                "type": "curve",
                                                "x": 77.52,
                                                "y": 221.37
                                            },
                                            {
                                                "type": "corner",
                                                "x": 75.48,
                                                "y": 223.76
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 42.84,
                                                "y": 214.92
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 213.88
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 82.42,
                                            "y": 207.9
                                        },
                                        "start": {
                                            "x": 20.6,
                                            "y": 207.9
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 41.21,
                                                    "y": 207.9
                                                },
                                                {
                                                    "x": 51.51,
                                                    "y": 207.9
                                                },
                                                {
                                                    "x": 61.81,
                                                    "y": 207.9
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 0,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 104.02,
                                                "y": 221.68
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 146.86,
                                                "y": 222.72
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 187.66,
                                                "y": 223.76
                                            },
                                            {
                                                "type": "corner",
                                                "x": 207.04,
                                                "y": 223.24
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 206.63,
                                                "y": 211.28
                                            },
                                            {
                                                "type": "corner",
                                                "x": 206.02,
                                                "y": 197.24
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 187.66,
                                                "y": 196.51
                                            },
                                            {
                                                "type": "curve",
                                                "x": 184.09,
                                                "y": 195.89
                                            },
                                            {
                                                "type": "curve",
                                                "x": 181.54,
                                                "y": 194.43
                                            },
                                            {
                                                "type": "corner",
                                                "x": 179.5,
                                                "y": 192.04
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 146.86,
                                                "y": 200.88
                                            },
                                            {
                                                "type": "corner",
                                                "x": 104.02,
                                                "y": 201.92
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 186.44,
                                            "y": 207.9
                                        },
                                        "start": {
                                            "x": 124.62,
                                            "y": 207.9
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 145.23,
                                                    "y": 207.9
                                                },
                                                {
                                                    "x": 155.53,
                                                    "y": 207.9
                                                },
                                                {
                                                    "x": 165.83,
                                                    "y": 207.9
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 0,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 152.04
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 42.84,
                                                "y": 151.52
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 81.6,
                                                "y": 151
                                            },
                                            {
                                                "type": "corner",
                                                "x": 102,
                                                "y": 151.83
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 103.53,
                                                "y": 161.4
                                            },
                                            {
                                                "type": "corner",
                                                "x": 106.08,
                                                "y": 180.12
                                            },
                                            {
                                                "x": 85.68,
                                                "y": 182.2
                                            },
                                            {
                                                "type": "curve",
                                                "x": 81.6,
                                                "y": 183.76
                                            },
                                            {
                                                "type": "curve",
                                                "x": 78.54,
                                                "y": 186.15
                                            },
                                            {
                                                "type": "curve",
                                                "x": 75.99,
                                                "y": 188.96
                                            },
                                            {
                                                "type": "corner",
                                                "x": 73.44,
                                                "y": 191.04
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 44.88,
                                                "y": 176.17
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 42.84,
                                                "y": 175.96
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 174.4
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 84.86,
                                            "y": 171.02
                                        },
                                        "start": {
                                            "x": 21.22,
                                            "y": 171.02
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 42.43,
                                                    "y": 171.02
                                                },
                                                {
                                                    "x": 53.04,
                                                    "y": 171.02
                                                },
                                                {
                                                    "x": 63.65,
                                                    "y": 171.02
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 1,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 107.08,
                                                "y": 190
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 149.92,
                                                "y": 190.52
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 188.68,
                                                "y": 191.04
                                            },
                                            {
                                                "type": "corner",
                                                "x": 209.08,
                                                "y": 190.21
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 210.61,
                                                "y": 180.64
                                            },
                                            {
                                                "type": "corner",
                                                "x": 213.16,
                                                "y": 161.92
                                            },
                                            {
                                                "x": 192.76,
                                                "y": 159.84
                                            },
                                            {
                                                "type": "curve",
                                                "x": 188.68,
                                                "y": 158.28
                                            },
                                            {
                                                "type": "curve",
                                                "x": 185.62,
                                                "y": 155.89
                                            },
                                            {
                                                "type": "curve",
                                                "x": 183.07,
                                                "y": 153.08
                                            },
                                            {
                                                "type": "corner",
                                                "x": 180.52,
                                                "y": 151
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 151.96,
                                                "y": 165.87
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 149.92,
                                                "y": 166.08
                                            },
                                            {
                                                "type": "corner",
                                                "x": 107.08,
                                                "y": 167.64
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 191.94,
                                            "y": 171.02
                                        },
                                        "start": {
                                            "x": 128.3,
                                            "y": 171.02
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 149.51,
                                                    "y": 171.02
                                                },
                                                {
                                                    "x": 160.12,
                                                    "y": 171.02
                                                },
                                                {
                                                    "x": 170.73,
                                                    "y": 171.02
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 1,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 111.12,
                                                "y": 224.76
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 134.22,
                                                "y": 224.76
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 156.27,
                                                "y": 224.76
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 178.32,
                                                "y": 224.76
                                            },
                                            {
                                                "type": "corner",
                                                "x": 201.42,
                                                "y": 224.76
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 201.42,
                                                "y": 229.26
                                            },
                                            {
                                                "type": "corner",
                                                "x": 201.42,
                                                "y": 233.76
                                            },
                                            {
                                                "type": "corner",
                                                "x": 111.12,
                                                "y": 233.76
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 111.12,
                                                "y": 229.26
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 183.36,
                                            "y": 229.26
                                        },
                                        "start": {
                                            "x": 129.18,
                                            "y": 229.26
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 2,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 72.04,
                                                "y": 224.76
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 81.31,
                                                "y": 224.76
                                            },
                                            {
                                                "type": "corner",
                                                "x": 90.58,
                                                "y": 224.76
                                            },
                                            {
                                                "type": "corner",
                                                "x": 90.58,
                                                "y": 242.27
                                            },
                                            {
                                                "type": "corner",
                                                "x": 79.25,
                                                "y": 242.27
                                            },
                                            {
                                                "type": "curve",
                                                "x": 76.68,
                                                "y": 237.12
                                            },
                                            {
                                                "type": "curve",
                                                "x": 74.1,
                                                "y": 230.94
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 86.87,
                                            "y": 233.52
                                        },
                                        "start": {
                                            "x": 75.75,
                                            "y": 233.52
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 3,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 91.58,
                                                "y": 242.27
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 100.85,
                                                "y": 242.27
                                            },
                                            {
                                                "type": "corner",
                                                "x": 110.12,
                                                "y": 242.27
                                            },
                                            {
                                                "type": "corner",
                                                "x": 110.12,
                                                "y": 224.76
                                            },
                                            {
                                                "type": "corner",
                                                "x": 98.79,
                                                "y": 224.76
                                            },
                                            {
                                                "type": "curve",
                                                "x": 96.22,
                                                "y": 229.91
                                            },
                                            {
                                                "type": "curve",
                                                "x": 93.64,
                                                "y": 236.09
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 106.41,
                                            "y": 233.51
                                        },
                                        "start": {
                                            "x": 95.29,
                                            "y": 233.51
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 3,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 224.76
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 14.42,
                                                "y": 224.76
                                            },
                                            {
                                                "x": 26.78,
                                                "y": 224.76
                                            },
                                            {
                                                "type": "curve",
                                                "x": 31.42,
                                                "y": 226
                                            },
                                            {
                                                "type": "curve",
                                                "x": 34.2,
                                                "y": 229.09
                                            },
                                            {
                                                "type": "curve",
                                                "x": 35.02,
                                                "y": 235.06
                                            },
                                            {
                                                "type": "curve",
                                                "x": 34.2,
                                                "y": 241.03
                                            },
                                            {
                                                "type": "curve",
                                                "x": 31.42,
                                                "y": 244.12
                                            },
                                            {
                                                "x": 26.78,
                                                "y": 245.36
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 14.42,
                                                "y": 245.36
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 245.36
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 28.02,
                                            "y": 235.06
                                        },
                                        "start": {
                                            "x": 7,
                                            "y": 235.06
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 14.01,
                                                    "y": 235.06
                                                },
                                                {
                                                    "x": 17.51,
                                                    "y": 235.06
                                                },
                                                {
                                                    "x": 21.01,
                                                    "y": 235.06
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 4,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 36.02,
                                                "y": 245.36
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 50.44,
                                                "y": 245.36
                                            },
                                            {
                                                "x": 62.8,
                                                "y": 245.36
                                            },
                                            {
                                                "type": "curve",
                                                "x": 67.44,
                                                "y": 244.12
                                            },
                                            {
                                                "type": "curve",
                                                "x": 70.22,
                                                "y": 241.03
                                            },
                                            {
                                                "type": "curve",
                                                "x": 71.04,
                                                "y": 235.06
                                            },
                                            {
                                                "type": "curve",
                                                "x": 70.22,
                                                "y": 229.09
                                            },
                                            {
                                                "type": "curve",
                                                "x": 67.44,
                                                "y": 226
                                            },
                                            {
                                                "x": 62.8,
                                                "y": 224.76
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 50.44,
                                                "y": 224.76
                                            },
                                            {
                                                "type": "corner",
                                                "x": 36.02,
                                                "y": 224.76
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 64.04,
                                            "y": 235.06
                                        },
                                        "start": {
                                            "x": 43.02,
                                            "y": 235.06
                                        }
                                    },
                                    "internalSegments": [
                                        {
                                            "kind": "drillLine",
                                            "points": [
                                                {
                                                    "x": 50.03,
                                                    "y": 235.06
                                                },
                                                {
                                                    "x": 53.53,
                                                    "y": 235.06
                                                },
                                                {
                                                    "x": 57.03,
                                                    "y": 235.06
                                                }
                                            ]
                                        }
                                    ],
                                    "mirroredX": false,
                                    "mirroredY": true,
                                    "piece": 4,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "polygons": [
                                {
                                    "blocking": false,
                                    "contours": [
                                        [
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 246.36
                                            },
                                            {
                                                "x": 15.45,
                                                "y": 246.36
                                            },
                                            {
                                                "type": "curve",
                                                "x": 18.95,
                                                "y": 247.36
                                            },
                                            {
                                                "type": "curve",
                                                "x": 20.6,
                                                "y": 249.86
                                            },
                                            {
                                                "type": "corner",
                                                "x": 20.6,
                                                "y": 253.36
                                            },
                                            {
                                                "notch": "cut",
                                                "type": "notch",
                                                "x": 10.3,
                                                "y": 253.36
                                            },
                                            {
                                                "type": "corner",
                                                "x": 0,
                                                "y": 253.36
                                            }
                                        ]
                                    ],
                                    "cutRank": 0,
                                    "grainLine": {
                                        "end": {
                                            "x": 16.48,
                                            "y": 249.86
                                        },
                                        "start": {
                                            "x": 4.12,
                                            "y": 249.86
                                        }
                                    },
                                    "mirroredX": false,
                                    "mirroredY": false,
                                    "piece": 5,
                                    "rotation": 0,
                                    "size": 2
                                }
                            ],
                            "section": "standby",
                            "type": "group"
                        },
                        {
                            "end": {
                                "x": 316,
                                "y": 150
                            },
                            "start": {
                                "x": 316,
                                "y": 0
                            },
                            "text": "End of marker",
                            "type": "line"
                        },
                        {
                            "alignment": "center",
                            "angle": 0,
                            "centre": {
                                "x": 253.16,
                                "y": 225
                            },
                            "letterSize": 30,
                            "lines": [
                                "TR-100 trousers",
                                "S and M laid, L waiting"
                            ],
                            "section": "standby",
                            "type": "text"
                        }
                    ],
                    "width": 150
                }
            ],
            "name": "Denim 150",
            "pieces": [
                {
                    "info": {
                        "description": "Front leg, slant pocket",
                        "fabricId": "DENIM-150",
                        "markerId": "",
                        "name": "Front",
                        "patternNo": "TR-100",
                        "pieceCode": "TR-01",
                        "referenceCode": ""
                    },
                    "quantity": 2,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": false,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 79.18,
                                    "y": 14.64
                                },
                                "start": {
                                    "x": 19.8,
                                    "y": 14.64
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 39.59,
                                            "y": 14.64
                                        },
                                        {
                                            "x": 49.49,
                                            "y": 14.64
                                        },
                                        {
                                            "x": 59.39,
                                            "y": 14.64
                                        }
                                    ]
                                }
                            ],
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 1.92
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 41.16,
                                    "y": 0.96
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 80.36,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 98.98,
                                    "y": 0.48
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 98.59,
                                    "y": 11.52
                                },
                                {
                                    "type": "corner",
                                    "x": 98,
                                    "y": 24.48
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 80.36,
                                    "y": 25.15
                                },
                                {
                                    "type": "curve",
                                    "x": 76.93,
                                    "y": 25.73
                                },
                                {
                                    "type": "curve",
                                    "x": 74.48,
                                    "y": 27.07
                                },
                                {
                                    "type": "corner",
                                    "x": 72.52,
                                    "y": 29.28
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 41.16,
                                    "y": 21.12
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 20.16
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 80.8,
                                    "y": 15.25
                                },
                                "start": {
                                    "x": 20.2,
                                    "y": 15.25
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 40.4,
                                            "y": 15.25
                                        },
                                        {
                                            "x": 50.5,
                                            "y": 15.25
                                        },
                                        {
                                            "x": 60.6,
                                            "y": 15.25
                                        }
                                    ]
                                }
                            ],
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 2
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 42,
                                    "y": 1
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 82,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 101,
                                    "y": 0.5
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 100.6,
                                    "y": 12
                                },
                                {
                                    "type": "corner",
                                    "x": 100,
                                    "y": 25.5
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 82,
                                    "y": 26.2
                                },
                                {
                                    "type": "curve",
                                    "x": 78.5,
                                    "y": 26.8
                                },
                                {
                                    "type": "curve",
                                    "x": 76,
                                    "y": 28.2
                                },
                                {
                                    "type": "corner",
                                    "x": 74,
                                    "y": 30.5
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 42,
                                    "y": 22
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 21
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 82.42,
                                    "y": 15.86
                                },
                                "start": {
                                    "x": 20.6,
                                    "y": 15.86
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 41.21,
                                            "y": 15.86
                                        },
                                        {
                                            "x": 51.51,
                                            "y": 15.86
                                        },
                                        {
                                            "x": 61.81,
                                            "y": 15.86
                                        }
                                    ]
                                }
                            ],
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 2.08
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 42.84,
                                    "y": 1.04
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 83.64,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 103.02,
                                    "y": 0.52
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 102.61,
                                    "y": 12.48
                                },
                                {
                                    "type": "corner",
                                    "x": 102,
                                    "y": 26.52
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 83.64,
                                    "y": 27.25
                                },
                                {
                                    "type": "curve",
                                    "x": 80.07,
                                    "y": 27.87
                                },
                                {
                                    "type": "curve",
                                    "x": 77.52,
                                    "y": 29.33
                                },
                                {
                                    "type": "corner",
                                    "x": 75.48,
                                    "y": 31.72
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 42.84,
                                    "y": 22.88
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 21.84
                                }
                            ]
                        }
                    ]
                },
                {
                    "info": {
                        "description": "Back leg with dart",
                        "fabricId": "DENIM-150",
                        "markerId": "",
                        "name": "Back",
                        "patternNo": "TR-100",
                        "pieceCode": "TR-02",
                        "referenceCode": ""
                    },
                    "quantity": 2,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": false,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 81.54,
                                    "y": 18.48
                                },
                                "start": {
                                    "x": 20.38,
                                    "y": 18.48
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 40.77,
                                            "y": 18.48
                                        },
                                        {
                                            "x": 50.96,
                                            "y": 18.48
                                        },
                                        {
                                            "x": 61.15,
                                            "y": 18.48
                                        }
                                    ]
                                }
                            ],
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0.96
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 41.16,
                                    "y": 0.48
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 78.4,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 98,
                                    "y": 0.77
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 99.47,
                                    "y": 9.6
                                },
                                {
                                    "type": "corner",
                                    "x": 101.92,
                                    "y": 26.88
                                },
                                {
                                    "x": 82.32,
                                    "y": 28.8
                                },
                                {
                                    "type": "curve",
                                    "x": 78.4,
                                    "y": 30.24
                                },
                                {
                                    "type": "curve",
                                    "x": 75.46,
                                    "y": 32.45
                                },
                                {
                                    "type": "curve",
                                    "x": 73.01,
                                    "y": 35.04
                                },
                                {
                                    "type": "corner",
                                    "x": 70.56,
                                    "y": 36.96
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 43.12,
                                    "y": 23.23
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 41.16,
                                    "y": 23.04
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 21.6
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 83.2,
                                    "y": 19.25
                                },
                                "start": {
                                    "x": 20.8,
                                    "y": 19.25
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 41.6,
                                            "y": 19.25
                                        },
                                        {
                                            "x": 52,
                                            "y": 19.25
                                        },
                                        {
                                            "x": 62.4,
                                            "y": 19.25
                                        }
                                    ]
                                }
                            ],
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 1
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 42,
                                    "y": 0.5
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 80,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 100,
                                    "y": 0.8
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 101.5,
                                    "y": 10
                                },
                                {
                                    "type": "corner",
                                    "x": 104,
                                    "y": 28
                                },
                                {
                                    "x": 84,
                                    "y": 30
                                },
                                {
                                    "type": "curve",
                                    "x": 80,
                                    "y": 31.5
                                },
                                {
                                    "type": "curve",
                                    "x": 77,
                                    "y": 33.8
                                },
                                {
                                    "type": "curve",
                                    "x": 74.5,
                                    "y": 36.5
                                },
                                {
                                    "type": "corner",
                                    "x": 72,
                                    "y": 38.5
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 44,
                                    "y": 24.2
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 42,
                                    "y": 24
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 22.5
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 84.86,
                                    "y": 20.02
                                },
                                "start": {
                                    "x": 21.22,
                                    "y": 20.02
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 42.43,
                                            "y": 20.02
                                        },
                                        {
                                            "x": 53.04,
                                            "y": 20.02
                                        },
                                        {
                                            "x": 63.65,
                                            "y": 20.02
                                        }
                                    ]
                                }
                            ],
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 1.04
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 42.84,
                                    "y": 0.52
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 81.6,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 102,
                                    "y": 0.83
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 103.53,
                                    "y": 10.4
                                },
                                {
                                    "type": "corner",
                                    "x": 106.08,
                                    "y": 29.12
                                },
                                {
                                    "x": 85.68,
                                    "y": 31.2
                                },
                                {
                                    "type": "curve",
                                    "x": 81.6,
                                    "y": 32.76
                                },
                                {
                                    "type": "curve",
                                    "x": 78.54,
                                    "y": 35.15
                                },
                                {
                                    "type": "curve",
                                    "x": 75.99,
                                    "y": 37.96
                                },
                                {
                                    "type": "corner",
                                    "x": 73.44,
                                    "y": 40.04
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 44.88,
                                    "y": 25.17
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 42.84,
                                    "y": 24.96
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 23.4
                                }
                            ]
                        }
                    ]
                },
                {
                    "info": {
                        "description": "Folded lengthwise",
                        "fabricId": "DENIM-150",
                        "markerId": "",
                        "name": "Waistband",
                        "patternNo": "TR-100",
                        "pieceCode": "TR-03",
                        "referenceCode": ""
                    },
                    "quantity": 1,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": true,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 65.36,
                                    "y": 4.5
                                },
                                "start": {
                                    "x": 16.34,
                                    "y": 4.5
                                }
                            },
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 20.9,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 40.85,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 60.8,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 81.7,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 81.7,
                                    "y": 4.5
                                },
                                {
                                    "type": "corner",
                                    "x": 81.7,
                                    "y": 9
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 9
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 0,
                                    "y": 4.5
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 68.8,
                                    "y": 4.5
                                },
                                "start": {
                                    "x": 17.2,
                                    "y": 4.5
                                }
                            },
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 22,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 43,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 64,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 86,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 86,
                                    "y": 4.5
                                },
                                {
                                    "type": "corner",
                                    "x": 86,
                                    "y": 9
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 9
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 0,
                                    "y": 4.5
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 72.24,
                                    "y": 4.5
                                },
                                "start": {
                                    "x": 18.06,
                                    "y": 4.5
                                }
                            },
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 23.1,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 45.15,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 67.2,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 90.3,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 90.3,
                                    "y": 4.5
                                },
                                {
                                    "type": "corner",
                                    "x": 90.3,
                                    "y": 9
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 9
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 0,
                                    "y": 4.5
                                }
                            ]
                        }
                    ]
                },
                {
                    "info": {
                        "description": "",
                        "fabricId": "DENIM-150",
                        "markerId": "",
                        "name": "Pocket facing",
                        "patternNo": "TR-100",
                        "pieceCode": "TR-04",
                        "referenceCode": ""
                    },
                    "quantity": 2,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": false,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 13.97,
                                    "y": 8.24
                                },
                                "start": {
                                    "x": 3.49,
                                    "y": 8.24
                                }
                            },
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 8.73,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 17.46,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 17.46,
                                    "y": 16.49
                                },
                                {
                                    "type": "corner",
                                    "x": 6.79,
                                    "y": 16.49
                                },
                                {
                                    "type": "curve",
                                    "x": 4.37,
                                    "y": 11.64
                                },
                                {
                                    "type": "curve",
                                    "x": 1.94,
                                    "y": 5.82
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 14.4,
                                    "y": 8.5
                                },
                                "start": {
                                    "x": 3.6,
                                    "y": 8.5
                                }
                            },
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 9,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 18,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 18,
                                    "y": 17
                                },
                                {
                                    "type": "corner",
                                    "x": 7,
                                    "y": 17
                                },
                                {
                                    "type": "curve",
                                    "x": 4.5,
                                    "y": 12
                                },
                                {
                                    "type": "curve",
                                    "x": 2,
                                    "y": 6
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 14.83,
                                    "y": 8.76
                                },
                                "start": {
                                    "x": 3.71,
                                    "y": 8.76
                                }
                            },
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 9.27,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 18.54,
                                    "y": 0
                                },
                                {
                                    "type": "corner",
                                    "x": 18.54,
                                    "y": 17.51
                                },
                                {
                                    "type": "corner",
                                    "x": 7.21,
                                    "y": 17.51
                                },
                                {
                                    "type": "curve",
                                    "x": 4.64,
                                    "y": 12.36
                                },
                                {
                                    "type": "curve",
                                    "x": 2.06,
                                    "y": 6.18
                                }
                            ]
                        }
                    ]
                },
                {
                    "info": {
                        "description": "Lining",
                        "fabricId": "DENIM-150",
                        "markerId": "",
                        "name": "Pocket bag",
                        "patternNo": "TR-100",
                        "pieceCode": "TR-05",
                        "referenceCode": ""
                    },
                    "quantity": 2,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": false,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 26.38,
                                    "y": 9.7
                                },
                                "start": {
                                    "x": 6.6,
                                    "y": 9.7
                                }
                            },
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 13.58,
                                    "y": 0
                                },
                                {
                                    "x": 25.22,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 29.59,
                                    "y": 1.16
                                },
                                {
                                    "type": "curve",
                                    "x": 32.2,
                                    "y": 4.07
                                },
                                {
                                    "type": "curve",
                                    "x": 32.98,
                                    "y": 9.7
                                },
                                {
                                    "type": "curve",
                                    "x": 32.2,
                                    "y": 15.33
                                },
                                {
                                    "type": "curve",
                                    "x": 29.59,
                                    "y": 18.24
                                },
                                {
                                    "x": 25.22,
                                    "y": 19.4
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 13.58,
                                    "y": 19.4
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 19.4
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 27.2,
                                    "y": 10
                                },
                                "start": {
                                    "x": 6.8,
                                    "y": 10
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 13.6,
                                            "y": 10
                                        },
                                        {
                                            "x": 17,
                                            "y": 10
                                        },
                                        {
                                            "x": 20.4,
                                            "y": 10
                                        }
                                    ]
                                }
                            ],
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 14,
                                    "y": 0
                                },
                                {
                                    "x": 26,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 30.5,
                                    "y": 1.2
                                },
                                {
                                    "type": "curve",
                                    "x": 33.2,
                                    "y": 4.2
                                },
                                {
                                    "type": "curve",
                                    "x": 34,
                                    "y": 10
                                },
                                {
                                    "type": "curve",
                                    "x": 33.2,
                                    "y": 15.8
                                },
                                {
                                    "type": "curve",
                                    "x": 30.5,
                                    "y": 18.8
                                },
                                {
                                    "x": 26,
                                    "y": 20
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 14,
                                    "y": 20
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 20
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 28.02,
                                    "y": 10.3
                                },
                                "start": {
                                    "x": 7,
                                    "y": 10.3
                                }
                            },
                            "internalSegments": [
                                {
                                    "kind": "drillLine",
                                    "points": [
                                        {
                                            "x": 14.01,
                                            "y": 10.3
                                        },
                                        {
                                            "x": 17.51,
                                            "y": 10.3
                                        },
                                        {
                                            "x": 21.01,
                                            "y": 10.3
                                        }
                                    ]
                                }
                            ],
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 14.42,
                                    "y": 0
                                },
                                {
                                    "x": 26.78,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 31.42,
                                    "y": 1.24
                                },
                                {
                                    "type": "curve",
                                    "x": 34.2,
                                    "y": 4.33
                                },
                                {
                                    "type": "curve",
                                    "x": 35.02,
                                    "y": 10.3
                                },
                                {
                                    "type": "curve",
                                    "x": 34.2,
                                    "y": 16.27
                                },
                                {
                                    "type": "curve",
                                    "x": 31.42,
                                    "y": 19.36
                                },
                                {
                                    "x": 26.78,
                                    "y": 20.6
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 14.42,
                                    "y": 20.6
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 20.6
                                }
                            ]
                        }
                    ]
                },
                {
                    "info": {
                        "description": "Zip shield",
                        "fabricId": "DENIM-150",
                        "markerId": "",
                        "name": "Fly",
                        "patternNo": "TR-100",
                        "pieceCode": "TR-06",
                        "referenceCode": ""
                    },
                    "quantity": 1,
                    "rotations": [
                        0,
                        180
                    ],
                    "single": true,
                    "sizes": [
                        {
                            "grainLine": {
                                "end": {
                                    "x": 15.52,
                                    "y": 3.5
                                },
                                "start": {
                                    "x": 3.88,
                                    "y": 3.5
                                }
                            },
                            "name": "S",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "x": 14.55,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 17.85,
                                    "y": 1
                                },
                                {
                                    "type": "curve",
                                    "x": 19.4,
                                    "y": 3.5
                                },
                                {
                                    "type": "corner",
                                    "x": 19.4,
                                    "y": 7
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 9.7,
                                    "y": 7
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 7
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 16,
                                    "y": 3.5
                                },
                                "start": {
                                    "x": 4,
                                    "y": 3.5
                                }
                            },
                            "name": "M",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "x": 15,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 18.4,
                                    "y": 1
                                },
                                {
                                    "type": "curve",
                                    "x": 20,
                                    "y": 3.5
                                },
                                {
                                    "type": "corner",
                                    "x": 20,
                                    "y": 7
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 10,
                                    "y": 7
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 7
                                }
                            ]
                        },
                        {
                            "grainLine": {
                                "end": {
                                    "x": 16.48,
                                    "y": 3.5
                                },
                                "start": {
                                    "x": 4.12,
                                    "y": 3.5
                                }
                            },
                            "name": "L",
                            "outline": [
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 0
                                },
                                {
                                    "x": 15.45,
                                    "y": 0
                                },
                                {
                                    "type": "curve",
                                    "x": 18.95,
                                    "y": 1
                                },
                                {
                                    "type": "curve",
                                    "x": 20.6,
                                    "y": 3.5
                                },
                                {
                                    "type": "corner",
                                    "x": 20.6,
                                    "y": 7
                                },
                                {
                                    "notch": "cut",
                                    "type": "notch",
                                    "x": 10.3,
                                    "y": 7
                                },
                                {
                                    "type": "corner",
                                    "x": 0,
                                    "y": 7
                                }
                            ]
                        }
                    ]
                }
            ],
            "plaid": {
                "offsetX": 0,
                "offsetY": 0,
                "repeatX": 0,
                "repeatY": 0
            }
        }
    ],
    "format": "marker",
    "links": [
    ],
    "locks": [
    ],
    "name": "Trousers TR-100, sizes S M L",
    "units": "cm",
    "version": 2
}
